#pragma once

class QWidget;

namespace Tessivane {

// A window role that screen readers announce, also for a window that is a
// plain widget; a link label that is a link; a named drop-down list that
// offers its entry as its value and text. For every window built from now on:
// a control that a window builds before this is known to the accessibility
// layer by its Qt class for good (its interface is made and kept while the
// controls are made).
void installAccessibility();

// Done once a window's controls exist: each frame named by its own title, and
// each named drop-down list telling screen readers of its new entry where they
// would not hear it otherwise.
void makeReadable(QWidget* window);

// Whether screen readers hear a drop-down list's new entry from the toolkit
// alone: UI Automation reports the list's changed value, which Windows readers
// speak; over AT-SPI Orca speaks a new entry only as a move to it.
bool screenReadersHearNewEntries();

} // namespace Tessivane
