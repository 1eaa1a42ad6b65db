#include "watch/ui/warning_icons.h"

#include "watch/thread_model.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace quillbox {

WarningIcons::WarningIcons(QAbstractItemModel* threads, QObject* parent)
    : QIdentityProxyModel(parent) {
    setSourceModel(threads);
    // The sign follows the failure: a row whose failure changes repaints its decoration too.
    connect(threads, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                if (roles.contains(ThreadModel::FailedRole))
                    emit dataChanged(mapFromSource(first), mapFromSource(last),
                                     {Qt::DecorationRole});
            });
}

QVariant WarningIcons::data(const QModelIndex& index, int role) const {
    if (role != Qt::DecorationRole)
        return QIdentityProxyModel::data(index, role);
    if (!QIdentityProxyModel::data(index, ThreadModel::FailedRole).toBool())
        return {};
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

} // namespace quillbox
