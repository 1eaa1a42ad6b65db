#pragma once

#include <QIdentityProxyModel>

namespace quillbox {

// Shows a list of watched threads with the warning sign on each row whose last check failed
// (ThreadModel::FailedRole); the row's text stays the thread's address.
class WarningIcons final : public QIdentityProxyModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WarningIcons)

public:
    explicit WarningIcons(QAbstractItemModel* threads, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace quillbox
