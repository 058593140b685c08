#include "WindowSetUp.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace Tessivane {

namespace {

// A top-level plain QWidget is a bare "client" to the accessibility layer, which
// screen readers do not announce as a window; give it the role of a window,
// named by its title.
QAccessibleInterface* plainWindowInterface(const QString& className, QObject* object)
{
    const QMetaObject* type = object->metaObject();
    if (!object->isWidgetType() || className != QLatin1String(type->className())
        || type->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Menus and tool tips are windows too, of other types, with roles of their own.
    if (widget->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// Qt presses a push button on Enter only as a dialog's default button.
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
    static const bool roleInstalled = (QAccessible::installFactory(plainWindowInterface), true);
    Q_UNUSED(roleInstalled)

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
