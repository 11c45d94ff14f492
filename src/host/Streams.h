#pragma once
// Byte streams: the abstract stream, a growable memory stream and a file stream.
// Portable: no platform headers.
#include <cstdio>
#include <vector>

#include "host/Types.h"

namespace qv {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Read and Write move up to Count bytes and answer how many they moved.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
  int64_t Size();
  // All or nothing: raise EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  int64_t CopyFrom(TStream& Source, int64_t Count);  // Count 0: the whole source from its start
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> Data) : FData(std::move(Data)) {}
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void Clear() {
    FData.clear();
    FPosition = 0;
  }
  void SetSize(int64_t NewSize);
  const uint8_t* Memory() const { return FData.data(); }
  const std::vector<uint8_t>& Bytes() const { return FData; }
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

 private:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

class TFileStream : public TStream {
 public:
  // Raises EFOpenError "Cannot open file \"%s\"" or EFCreateError "Cannot create file \"%s\"".
  TFileStream(const String& FileName, TFileMode Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

 private:
  std::FILE* FFile = nullptr;
};

// The bytes from the stream's position to its end; raises EReadError when they cannot be read.
std::vector<uint8_t> ReadStreamRest(TStream& Stream);

// File system helpers on String paths.
bool FileExists(const String& FileName);
std::vector<uint8_t> ReadFileBytes(const String& FileName);  // raises EFOpenError
void WriteFileBytes(const String& FileName,
                    const std::vector<uint8_t>& Data);  // raises EFCreateError
String ExtractFileName(const String& Path);
String ExtractFileExt(const String& Path);   // with the dot, "" when none
String ExtractFilePath(const String& Path);  // with the trailing delimiter
String IncludeTrailingPathDelimiter(const String& Path);

}  // namespace qv
