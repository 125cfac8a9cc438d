// A stand-in for the current user's part of the system registry. Keys are
// paths of names separated by "\" (or "/"); each key holds named values of
// three data types: a 32-bit integer, a text and a block of bytes. The whole
// tree is kept in one INI file, "tarvex/registry.ini" in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). Every write is
// saved at once, through a temporary file that replaces the old one.
#pragma once

#include <QSettings>
#include <memory>
#include <optional>
#include <string>

#include "tarvex/data/tarvex_error.h"

namespace tarvex {

// A value that cannot be read or written.
class RegistryError : public TarvexError {
 public:
  using TarvexError::TarvexError;
};

// One key of the current user's registry, opened for reading and writing.
// The store is released when the object goes.
class RegistryKey {
 public:
  // The file that holds the current user's registry.
  static QString StoreFile();

  // Opens KEYPATH, creating it when it does not exist; null when the store
  // cannot be reached or the path names no key.
  static std::unique_ptr<RegistryKey> OpenOrCreate(const std::string& keyPath);

  // Each write raises RegistryError when the value cannot be saved.
  void WriteInteger(const std::string& name, int value);
  void WriteString(const std::string& name, const std::string& value);
  // The eight bytes of VALUE as a binary value.
  void WriteFloat(const std::string& name, double value);

  // A missing value, or one of another data type, raises RegistryError.
  int ReadInteger(const std::string& name) const;
  // A missing value reads as an empty text; one of another data type raises.
  std::string ReadString(const std::string& name) const;
  // Raises unless the value is binary and holds exactly eight bytes.
  double ReadFloat(const std::string& name) const;

 private:
  RegistryKey(std::unique_ptr<QSettings> store, std::string keyPath, QString group);
  void Write(const std::string& name, const QString& stored);
  // The stored text of value NAME without its data type prefix PREFIX, or
  // nothing when the value does not exist; another type raises.
  std::optional<QString> Read(const std::string& name, const QString& prefix) const;
  QString ValueKey(const std::string& name) const;

  std::unique_ptr<QSettings> store_;
  std::string keyPath_;
  QString group_;  // the key path as the store's group
};

}  // namespace tarvex
