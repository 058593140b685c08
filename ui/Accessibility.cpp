#include "Accessibility.h"

#include "LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QRegularExpression>

namespace Tessivane {

namespace {

// To screen readers a link label is a link, named by its text and pressed by
// their press action.
class LinkInterface final : public QAccessibleWidget
{
public:
    explicit LinkInterface(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList {pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// On Linux Qt names a drop-down list by its current entry, as a label beside it
// would name the list; the date lists have no label, so they are named for what
// they hold. The entry is their value, and their read-only text, which is where
// screen readers look for it while the list is closed. The entries stay where Qt
// puts them: the one child, the list that drops down.
class NamedListInterface final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NamedListInterface(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return entry();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 1; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList {showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The entry as text that can be read but neither selected nor edited.
    QString text(int startOffset, int endOffset) const override
    {
        return entry().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(entry().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QString entry() const { return list()->currentText(); }
};

// Where screen readers do not hear a list's new entry from the toolkit, they
// hear it as a change of the item they are on, the way Qt reports moving
// through a list view: the entry takes the reader's focus while the list keeps
// the keyboard's. (Where they do, that would move them into a closed list.)
void announceEntries(QComboBox* list)
{
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        if (index < 0 || !list->hasFocus() || list->view()->isVisible())
            return;
        QAccessibleEvent entry(list->view(), QAccessible::Focus);
        entry.setChild(index);
        QAccessible::updateAccessibility(&entry);
    });
}

// A top-level plain QWidget is a bare "client" to the accessibility layer, which
// screen readers do not announce as a window; give it the role of a window,
// named by its title.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    const QMetaObject* type = object->metaObject();
    if (!object->isWidgetType() || className != QLatin1String(type->className()))
        return nullptr;
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkInterface(link);
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->accessibleName().isEmpty())
        return new NamedListInterface(list);
    if (type->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Menus and tool tips are windows too, of other types, with roles of their own.
    if (widget->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// An "&" that marks the next character as the accelerator, or "&&" for one "&".
const QRegularExpression& accelerator()
{
    static const QRegularExpression marked(QStringLiteral("&(.)"));
    return marked;
}

} // namespace

bool screenReadersHearNewEntries()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

void installAccessibility()
{
    static const bool roleInstalled = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(roleInstalled)
}

void makeReadable(QWidget* window)
{
    installAccessibility();

    // Qt names a frame inside another by the outer one's title, so a screen
    // reader would never hear the inner one's own; each is named by its title.
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (frame->accessibleName().isEmpty() && !frame->title().isEmpty())
            frame->setAccessibleName(QString(frame->title()).replace(accelerator(), QStringLiteral("\\1")));
    }

    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->accessibleName().isEmpty() && !screenReadersHearNewEntries())
            announceEntries(list);
    }
}

} // namespace Tessivane
