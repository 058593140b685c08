#include "KeyPress.h"

#include <QKeyEvent>
#include <QLineEdit>

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
        auto* line = qobject_cast<QLineEdit*>(box);
        Q_ASSERT(line); // other boxes only discard keys
        if (line)
            line->insert(QString(QChar(keyAscii)));
    }
    return true;
}

} // namespace Tessivane
