#include "WindowSetUp.h"

#include "Accessibility.h"
#include "Look.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace Tessivane {

namespace {

// Enter presses the focused push button. Qt's autoDefault does so in any window
// too, but presses again while the key is held, answers Ctrl+Enter as well and
// draws the button with a default frame; this presses once, on Enter alone,
// and leaves the button as the form draws it.
class EnterPressesButton final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A held key presses once, as a held Space does.
        if (!key->isAutoRepeat())
            static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

void setUpWindow(QWidget* window)
{
    makeReadable(window);
    Look::showColours(window);

    if (qobject_cast<QDialog*>(window))
        return;
    // Unloaded when closed; only the modal about window lives on the caller's stack.
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* enter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isCheckable())
            button->installEventFilter(enter);
    }
}

} // namespace Tessivane
