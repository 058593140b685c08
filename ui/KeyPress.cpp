#include "KeyPress.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace Tessivane {

bool runKeyPress(QObject* box, QEvent* event, const std::function<void(char16_t& keyAscii)>& handler)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;

    const char16_t original = typed.at(0).unicode();
    char16_t keyAscii = original;
    handler(keyAscii);
    if (keyAscii == original)
        return false;
    if (keyAscii != 0) {
        // The replacement comes back through the hook, which then lets it pass.
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(keyAscii)),
                           key->isAutoRepeat(), static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(box, &replaced);
    }
    return true;
}

} // namespace Tessivane
