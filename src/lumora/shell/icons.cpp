#include "shell/icons.h"

#include <QString>

namespace lumora::shell {

QIcon LumoraIcon(std::string_view name) {
    const QString file =
        QStringLiteral(":/icons/%1.svg")
            .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return QIcon(file);
}

}  // namespace lumora::shell
