#include "app/shell/form_position.h"

#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

// Single precision, as the position was measured: whole numbers show no decimals.
QString PositionText(float value) { return QString::number(value, 'g', 7); }

}  // namespace

void SaveFormPosition(const CRegSettings& store, const QString& windowName, const FormPosition& position,
                      bool largeFonts) {
    if (!largeFonts) return;
    store.SaveSetting(windowName, QStringLiteral("Left"), PositionText(position.Left));
    store.SaveSetting(windowName, QStringLiteral("Top"), PositionText(position.Top));
    store.SaveSetting(windowName, QStringLiteral("Width"), PositionText(position.Width));
    store.SaveSetting(windowName, QStringLiteral("Height"), PositionText(position.Height));
}

std::optional<FormPosition> RestoreFormPosition(const CRegSettings& store, const QString& windowName,
                                                bool largeFonts) {
    if (!largeFonts || store.GetSetting(windowName, QStringLiteral("Left")).isEmpty()) return std::nullopt;
    const auto read = [&](const char* key) {
        return ParseNumber(store.GetSetting(windowName, QString::fromLatin1(key)));
    };
    const std::optional<double> left = read("Left");
    const std::optional<double> top = read("Top");
    const std::optional<double> width = read("Width");
    const std::optional<double> height = read("Height");
    if (!left || !top || !width || !height) return std::nullopt;
    return FormPosition{static_cast<float>(*left), static_cast<float>(*top), static_cast<float>(*width),
                        static_cast<float>(*height)};
}

}  // namespace zenphra::app
