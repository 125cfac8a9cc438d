// The records of an enhanced metafile (".emf") in the making. Every record is
// made by libuemf's record constructors; this class owns the growing file,
// the table of graphics object handles, and fills in the header's totals
// when the file is finished.
#pragma once

#include <uemf.h>

#include <cstdint>
#include <string>

namespace tarvex {

class MetafileRecords {
 public:
  // A picture of WIDTH by HEIGHT device pixels at DOTSPERINCH; the reference
  // device is a screen of that resolution.
  MetafileRecords(int width, int height, double dotsPerInch);
  ~MetafileRecords();
  MetafileRecords(const MetafileRecords&) = delete;
  MetafileRecords& operator=(const MetafileRecords&) = delete;

  // Appends RECORD, made by libuemf, and frees it; a null record (the
  // library ran out of memory) is refused.
  void Add(char* record);

  // The handle table that libuemf's object constructors fill and empty.
  EMFHANDLES* Handles() { return handles_; }

  // Appends the end-of-file record and returns the whole file; the records
  // are not used afterwards.
  std::string Finish();

 private:
  std::string bytes_;
  std::uint32_t records_ = 0;
  EMFHANDLES* handles_ = nullptr;
};

}  // namespace tarvex
