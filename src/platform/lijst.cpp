#include "platform/lijst.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace platform {
namespace {

class AlleenGekozenOplichten : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* optie, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(optie, index);
        if (!(optie->state & QStyle::State_Selected))
            optie->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

QListWidget* NieuweLijst(QWidget* parent)
{
    auto* lijst = new QListWidget(parent);
    lijst->setItemDelegate(new AlleenGekozenOplichten(lijst));
    return lijst;
}

}  // namespace platform
