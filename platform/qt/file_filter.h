#pragma once
// The menus' filter strings ("Name|*.a;*.b|Name|*.c||") in the form the Qt
// file dialog reads ("Name (*.a *.b)").

#include <QString>
#include <QStringList>
#include <string_view>

namespace ionvue {

// One entry per filter, in order. "*.*" becomes "*": on this desktop a name
// need not contain a dot to be a file.
QStringList QtNameFilters(std::string_view menuFilter);

}  // namespace ionvue
