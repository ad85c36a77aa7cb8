#include "platform/escape.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>

namespace platform {

namespace {

class EscapeTegenhouder : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* doel, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(doel, event);
    }
};

}  // namespace

void EscapeSluitNiet(QDialog& dialoog)
{
    dialoog.installEventFilter(new EscapeTegenhouder(&dialoog));
}

}  // namespace platform
