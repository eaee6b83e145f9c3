// Family resolution and font set-up shared by measurement and drawing.
#include "engine/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace korvel::engine {
namespace {

QString resolvedFamily(const std::string& family) {
  static const std::map<std::string, QString> kCompatible = {
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
  };
  static std::mutex mutex;
  static std::map<std::string, QString> resolved;
  std::lock_guard lock(mutex);
  auto known = resolved.find(family);
  if (known != resolved.end()) return known->second;
  QString result = QString::fromStdString(family);
  auto compatible = kCompatible.find(family);
  if (compatible != kCompatible.end() && QFontDatabase::families().contains(compatible->second))
    result = compatible->second;
  resolved.emplace(family, result);
  return result;
}

}  // namespace

double effectiveSizePt(const Font& font) {
  double pixels = std::max(1.0, std::round(font.sizePt * 96 / 72));
  return pixels * 72 / 96;
}

QFont qtFont(const Font& font) {
  QFont f(resolvedFamily(font.family));
  f.setPointSizeF(effectiveSizePt(font));
  f.setBold(font.bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferOutline);
  return f;
}

}  // namespace korvel::engine
