#pragma once

#include <QIcon>

#include <string_view>

namespace lumora::shell {

// One of our own icons from resources/icons, by its file name without ".svg".
QIcon LumoraIcon(std::string_view name);

}  // namespace lumora::shell
