// SPDX-License-Identifier: MIT
#include "platform/qt/qt_settings_backing.h"

#include <QSettings>
#include <QStringList>

#include "device/program_identity.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72 {
namespace {

struct Location {
    QString application;  // the INI file; "Flarn" itself when the path names no application
    QString key;          // "section/name" or "name"
};

Location locate(const std::string& path, const std::string& suffix) {
    QString rest = QString::fromStdString(path);
    if (!rest.startsWith(kSettingsRoot))
        throw Failure(failure_number::kSettingsKeyNotFound,
                      "Invalid root in registry key \"" + path + "\".");
    QStringList parts =
        rest.mid(static_cast<int>(std::char_traits<char>::length(kSettingsRoot))).split('\\');
    Location where;
    if (parts.size() >= 2) {
        where.application = parts.takeFirst() + QString::fromStdString(suffix);
    } else {
        where.application = QStringLiteral("Flarn");
    }
    where.key = parts.join('/');
    return where;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> QtSettingsBacking::entries(
    const std::string& sectionPath) {
    const Location where = locate(sectionPath, suffix_);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Flarn", where.application);
    std::vector<std::pair<std::string, std::string>> found;
    if (settings.status() != QSettings::NoError) return found;
    settings.beginGroup(where.key);
    for (const QString& name : settings.childKeys()) {
        found.emplace_back(name.toStdString(), settings.value(name).toString().toStdString());
    }
    return found;
}

std::string QtSettingsBacking::location(const std::string& path) {
    const Location where = locate(path, suffix_);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Flarn", where.application)
        .fileName()
        .toStdString();
}

std::string QtSettingsBacking::read(const std::string& path) {
    const Location where = locate(path, suffix_);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Flarn", where.application);
    if (settings.status() != QSettings::NoError || !settings.contains(where.key)) {
        throw Failure(failure_number::kSettingsKeyNotFound,
                      "Unable to open registry key \"" + path + "\" for reading.");
    }
    return settings.value(where.key).toString().toStdString();
}

void QtSettingsBacking::write(const std::string& path, const std::string& value) {
    const Location where = locate(path, suffix_);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Flarn", where.application);
    settings.setValue(where.key, QString::fromStdString(value));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw Failure(failure_number::kSettingsAccessDenied,
                      "Unable to save registry key \"" + path + "\".");
    }
}

}  // namespace vq72
