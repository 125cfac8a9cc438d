#include "tarvex/ui/platform/registry_store.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tarvex {
namespace {

// Each value is stored as text that begins with its data type, in the
// manner of an exported registry file.
const QString kIntegerPrefix = QStringLiteral("dword:");
const QString kStringPrefix = QStringLiteral("sz:");
const QString kBinaryPrefix = QStringLiteral("hex:");

QString Quoted(const std::string& text) { return "\"" + QString::fromStdString(text) + "\""; }

}  // namespace

QString RegistryKey::StoreFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/tarvex/registry.ini";
}

std::unique_ptr<RegistryKey> RegistryKey::OpenOrCreate(const std::string& keyPath) {
  const QStringList names =
      QString::fromStdString(keyPath).split(QRegularExpression("[\\\\/]"), Qt::SkipEmptyParts);
  if (names.isEmpty()) return nullptr;
  const QString file = StoreFile();
  const QFileInfo info(file);
  if (!QDir().mkpath(info.absolutePath()) || (info.exists() && !info.isFile())) return nullptr;
  auto store = std::make_unique<QSettings>(file, QSettings::IniFormat);
  if (store->status() != QSettings::NoError) return nullptr;
  return std::unique_ptr<RegistryKey>(new RegistryKey(std::move(store), keyPath, names.join('/')));
}

RegistryKey::RegistryKey(std::unique_ptr<QSettings> store, std::string keyPath, QString group)
    : store_(std::move(store)), keyPath_(std::move(keyPath)), group_(std::move(group)) {}

QString RegistryKey::ValueKey(const std::string& name) const {
  // A separator would make the name a path to another key.
  if (name.find_first_of("\\/") != std::string::npos) {
    throw RegistryError("Invalid registry value name " + Quoted(name).toStdString());
  }
  return group_ + '/' + QString::fromStdString(name);
}

void RegistryKey::Write(const std::string& name, const QString& stored) {
  store_->setValue(ValueKey(name), stored);
  store_->sync();
  if (store_->status() != QSettings::NoError) {
    throw RegistryError("Cannot write the registry value " + Quoted(name).toStdString() + " to " +
                        StoreFile().toStdString());
  }
}

std::optional<QString> RegistryKey::Read(const std::string& name, const QString& prefix) const {
  const QVariant value = store_->value(ValueKey(name));
  if (!value.isValid()) return std::nullopt;
  const QString stored = value.toString();
  if (!stored.startsWith(prefix)) {
    throw RegistryError("The registry value " + Quoted(name).toStdString() + " under " +
                        Quoted(keyPath_).toStdString() + " has another data type");
  }
  return stored.mid(prefix.size());
}

void RegistryKey::WriteInteger(const std::string& name, int value) {
  Write(name, kIntegerPrefix +
                  QString("%1").arg(static_cast<std::uint32_t>(value), 8, 16, QLatin1Char('0')));
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  Write(name, kStringPrefix + QString::fromStdString(value));
}

void RegistryKey::WriteFloat(const std::string& name, double value) {
  unsigned char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  QStringList hex;
  for (unsigned char b : bytes) hex << QString("%1").arg(b, 2, 16, QLatin1Char('0'));
  Write(name, kBinaryPrefix + hex.join(','));
}

int RegistryKey::ReadInteger(const std::string& name) const {
  const auto stored = Read(name, kIntegerPrefix);
  bool ok = false;
  const std::uint32_t value = stored ? stored->toUInt(&ok, 16) : 0;
  if (!ok || stored->size() != 8) {
    throw RegistryError("Cannot read the registry integer " + Quoted(name).toStdString() +
                        " under " + Quoted(keyPath_).toStdString());
  }
  return std::bit_cast<std::int32_t>(value);
}

std::string RegistryKey::ReadString(const std::string& name) const {
  const auto stored = Read(name, kStringPrefix);
  return stored ? stored->toStdString() : std::string();
}

double RegistryKey::ReadFloat(const std::string& name) const {
  const auto stored = Read(name, kBinaryPrefix);
  const QStringList hex = stored ? stored->split(',') : QStringList();
  unsigned char bytes[sizeof(double)];
  bool ok = hex.size() == static_cast<int>(sizeof bytes);
  for (int i = 0; ok && i < hex.size(); ++i) {
    const unsigned value = hex[i].toUInt(&ok, 16);
    ok = ok && hex[i].size() == 2;
    bytes[i] = static_cast<unsigned char>(value);
  }
  if (!ok) {
    throw RegistryError("Cannot read the registry number " + Quoted(name).toStdString() +
                        " under " + Quoted(keyPath_).toStdString());
  }
  double value = 0;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace tarvex
