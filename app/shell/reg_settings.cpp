#include "app/shell/reg_settings.h"

#include <QFileInfo>

namespace zenphra::app {
namespace {

QString KeyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

}  // namespace

QString CRegSettings::Folder() const { return QFileInfo(Open()->fileName()).absolutePath(); }

std::unique_ptr<QSettings> CRegSettings::Open() const {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, company_, appName_);
}

// A name of blanks only would leave a nameless key level, so it counts as empty too.
void CRegSettings::SetCompany(const QString& company) {
    const QString trimmed = company.trimmed();
    company_ = trimmed.isEmpty() ? kBuiltInCompany : trimmed;
}

void CRegSettings::SetAppName(const QString& appName) {
    const QString trimmed = appName.trimmed();
    appName_ = trimmed.isEmpty() ? kBuiltInAppName : trimmed;
}

bool CRegSettings::DeleteSetting(const QString& section, const QString& key) const {
    const auto store = Open();
    const bool present =
        key.isEmpty() ? store->childGroups().contains(section) : store->contains(KeyPath(section, key));
    if (!present) return false;
    store->remove(key.isEmpty() ? section : KeyPath(section, key));
    store->sync();
    return store->status() == QSettings::NoError;
}

QList<std::pair<QString, QString>> CRegSettings::GetAllSettings(const QString& section) const {
    const auto store = Open();
    store->beginGroup(section);
    QList<std::pair<QString, QString>> values;
    for (const QString& key : store->childKeys()) values.append({key, store->value(key).toString()});
    return values;
}

QString CRegSettings::GetSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) const {
    const auto store = Open();
    const QString value = store->value(KeyPath(section, key)).toString();
    return value.isEmpty() ? defaultValue : value;
}

bool CRegSettings::SaveSetting(const QString& section, const QString& key, const QString& setting) const {
    const auto store = Open();
    store->setValue(KeyPath(section, key), setting);
    store->sync();
    return store->status() == QSettings::NoError;
}

}  // namespace zenphra::app
