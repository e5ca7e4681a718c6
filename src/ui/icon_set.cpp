#include "icon_set.h"

#include <QString>

#include "kinds.h"

std::vector<QIcon> LoadTreeIcons() {
    std::vector<QIcon> icons;
    for (int i = 0; i < icon::kCount; ++i)
        icons.emplace_back(QString(":/icons/icon-%1.png").arg(i, 2, 10, QChar('0')));
    return icons;
}
