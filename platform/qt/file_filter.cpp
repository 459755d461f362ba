#include "platform/qt/file_filter.h"

#include <vector>

namespace ionvue {

namespace {

std::vector<std::string_view> SplitBars(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) bar = text.size();
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  return parts;
}

}  // namespace

QStringList QtNameFilters(std::string_view menuFilter) {
  QStringList filters;
  std::vector<std::string_view> parts = SplitBars(menuFilter);
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    QString name = QString::fromUtf8(parts[i].data(), static_cast<qsizetype>(parts[i].size()))
                       .trimmed();
    if (name.isEmpty()) break;  // the "||" that ends the list
    QStringList patterns;
    const QString list =
        QString::fromUtf8(parts[i + 1].data(), static_cast<qsizetype>(parts[i + 1].size()));
    for (QString pattern : list.split(';', Qt::SkipEmptyParts)) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
      if (!pattern.isEmpty() && !patterns.contains(pattern)) patterns << pattern;
    }
    if (patterns.isEmpty()) patterns << "*";
    filters << name + " (" + patterns.join(' ') + ")";
  }
  if (filters.isEmpty()) filters << "All files (*)";
  return filters;
}

}  // namespace ionvue
