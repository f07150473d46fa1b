#include "shell/text_grid_model.h"

#include <QApplication>
#include <QBrush>
#include <QCoreApplication>
#include <QPalette>

namespace mivo {

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant TextGridModel::numberedHeader(std::span<const char* const> titles, int section,
                                       Qt::Orientation orientation, int role, const char* context) {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString::number(section);
    if (section < 0 || static_cast<std::size_t>(section) >= titles.size()) return {};
    return QCoreApplication::translate(context, titles[static_cast<std::size_t>(section)]);
}

QVariant TextGridModel::titleBackground() {
    return QBrush(QApplication::palette().color(QPalette::Button));
}

}  // namespace mivo
