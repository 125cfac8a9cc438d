#include "tarvex/ui/options_store.h"

#include "tarvex/data/number_text.h"
#include "tarvex/data/tarvex_error.h"
#include "tarvex/ui/platform/registry_store.h"

namespace tarvex {
namespace {

[[noreturn]] void UnknownType() { throw TarvexError("unknown type"); }

void SaveOption(RegistryKey& key, const OptItem& option) {
  if (option.Type == "integer") {
    key.WriteInteger(option.Name, ParseInt(option.Value));
  } else if (option.Type == "string") {
    key.WriteString(option.Name, option.Value);
  } else if (option.Type == "float") {
    key.WriteFloat(option.Name, ParseDouble(option.Value));
  } else {
    UnknownType();
  }
}

void LoadOption(const RegistryKey& key, OptItem& option) {
  if (option.Type == "integer") {
    option.Value = FormatInt(key.ReadInteger(option.Name));
  } else if (option.Type == "string") {
    option.Value = key.ReadString(option.Name);
  } else if (option.Type == "float") {
    option.Value = FloatToText(key.ReadFloat(option.Name));
  } else {
    UnknownType();
  }
}

}  // namespace

bool SaveOptions(OptVec options) {
  try {
    const auto key = RegistryKey::OpenOrCreate(options.KeyPath);
    if (!key) return false;
    for (const OptItem& option : options.Options) SaveOption(*key, option);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool LoadOptions(OptVec options) {
  try {
    const auto key = RegistryKey::OpenOrCreate(options.KeyPath);
    if (!key) return false;
    for (OptItem& option : options.Options) LoadOption(*key, option);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace tarvex
