#include "game/ui/qsettingsprofile.h"

namespace quorvant::ui {

QSettingsProfile::QSettingsProfile()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vexmoor Software"),
                QStringLiteral("Quorvant")) {}

// Every write goes to disk at once: the program writes nothing at exit, and a crash loses nothing.
QString QSettingsProfile::Key(const std::string& section, const std::string& name) const {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

std::optional<std::string> QSettingsProfile::ReadString(const std::string& section,
                                                        const std::string& name) const {
    QVariant value = settings_.value(Key(section, name));
    // Lists and other shapes cannot be any of the program's values.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList ||
        value.typeId() == QMetaType::QVariantList || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString().toStdString();
}

void QSettingsProfile::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    settings_.setValue(Key(section, name), QString::fromStdString(value));
    settings_.sync();
}

void QSettingsProfile::WriteInt(const std::string& section, const std::string& name, int value) {
    settings_.setValue(Key(section, name), value);
    settings_.sync();
}

void QSettingsProfile::Remove(const std::string& section, const std::string& name) {
    settings_.remove(Key(section, name));
    settings_.sync();
}

void QSettingsProfile::UseFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace quorvant::ui
