#include "app/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace jorv {

QIcon LoadIcon(std::string_view name) {
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace jorv
