// The per-user settings store: text values in named sections, under the company and application name.
// Kept as an INI file in the user's configuration folder (organisation "Quorvex_Talmy Fractals Lite",
// application "Zenphra"), one group per section. Every call opens and closes the store, so nothing is
// held between calls.
#pragma once

#include <QList>
#include <QSettings>
#include <QString>
#include <memory>
#include <utility>

namespace zenphra::app {

class CRegSettings {
  public:
    // The key of a section's unnamed default value.
    static inline const QString kDefaultValueKey = QStringLiteral("*");
    static inline const QString kBuiltInCompany = QStringLiteral("Quorvex_Talmy Fractals Lite");
    static inline const QString kBuiltInAppName = QStringLiteral("Zenphra");

    QString Company() const { return company_; }
    QString AppName() const { return appName_; }
    // Stores the name without surrounding blanks; an empty (or blank) name brings back the built-in one.
    void SetCompany(const QString& company);
    void SetAppName(const QString& appName);

    // Deletes one value, or with an empty key the whole section. True when there was something to delete
    // and it is gone.
    bool DeleteSetting(const QString& section, const QString& key) const;
    // Every value of the section as (name, text); empty when the section is missing or empty.
    QList<std::pair<QString, QString>> GetAllSettings(const QString& section) const;
    // The stored text; `defaultValue` when the value is missing or empty.
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // True when the value was written.
    bool SaveSetting(const QString& section, const QString& key, const QString& setting) const;
    // The folder the store's file lies in, for other files kept with the settings.
    QString Folder() const;

  private:
    std::unique_ptr<QSettings> Open() const;

    QString company_ = kBuiltInCompany;
    QString appName_ = kBuiltInAppName;
};

}  // namespace zenphra::app
