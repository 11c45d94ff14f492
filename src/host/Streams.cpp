#include "host/Streams.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "host/Platform.h"

namespace qv {

// ---- TStream ---------------------------------------------------------------

int64_t TStream::Size() {
  int64_t Pos = Seek(0, soCurrent);
  int64_t End = Seek(0, soEnd);
  Seek(Pos, soBeginning);
  return End;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  std::vector<uint8_t> Buf(size_t(std::min<int64_t>(Count, 1 << 20)));
  int64_t Left = Count;
  while (Left > 0) {
    int64_t N = std::min<int64_t>(Left, int64_t(Buf.size()));
    Source.ReadBuffer(Buf.data(), N);
    WriteBuffer(Buf.data(), N);
    Left -= N;
  }
  return Count;
}

// ---- TMemoryStream ---------------------------------------------------------

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  int64_t Avail = int64_t(FData.size()) - FPosition;
  int64_t N = std::max<int64_t>(0, std::min(Count, Avail));
  if (N > 0) std::memcpy(Buffer, FData.data() + FPosition, size_t(N));
  FPosition += N;
  return N;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  if (FPosition + Count > int64_t(FData.size())) FData.resize(size_t(FPosition + Count));
  std::memcpy(FData.data() + FPosition, Buffer, size_t(Count));
  FPosition += Count;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t Base = Origin == soBeginning ? 0
                 : Origin == soCurrent ? FPosition
                                       : int64_t(FData.size());
  FPosition = std::max<int64_t>(0, Base + Offset);
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  FData.resize(size_t(std::max<int64_t>(0, NewSize)));
  FPosition = std::min<int64_t>(FPosition, int64_t(FData.size()));
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  FData = ReadFileBytes(FileName);
  FPosition = 0;
}

void TMemoryStream::SaveToFile(const String& FileName) const {
  WriteFileBytes(FileName, FData);
}

// ---- TFileStream -----------------------------------------------------------

TFileStream::TFileStream(const String& FileName, TFileMode Mode) {
  switch (Mode) {
    case fmCreate:
      FFile = OpenPlatformFile(FileName, L"w+b");
      if (!FFile) throw EFCreateError(L"Cannot create file \"" + FileName + L"\"");
      return;
    case fmOpenRead:
      FFile = OpenPlatformFile(FileName, L"rb");
      break;
    case fmOpenWrite:
    case fmOpenReadWrite:
      FFile = OpenPlatformFile(FileName, L"r+b");
      break;
  }
  if (!FFile) throw EFOpenError(L"Cannot open file \"" + FileName + L"\"");
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  return Count <= 0 ? 0 : int64_t(std::fread(Buffer, 1, size_t(Count), FFile));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  return Count <= 0 ? 0 : int64_t(std::fwrite(Buffer, 1, size_t(Count), FFile));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int W = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  return SeekPlatformFile(FFile, Offset, W);
}

// ---- file helpers ----------------------------------------------------------

std::vector<uint8_t> ReadStreamRest(TStream& Stream) {
  int64_t N = std::max<int64_t>(Stream.Size() - Stream.Position(), 0);
  std::vector<uint8_t> Data(static_cast<size_t>(N));
  if (N) Stream.ReadBuffer(Data.data(), N);
  return Data;
}

bool FileExists(const String& FileName) {
  if (FileName.empty()) return false;
  std::error_code Ec;
  return std::filesystem::is_regular_file(ToPlatformPath(FileName), Ec);  // a folder is no file
}

std::vector<uint8_t> ReadFileBytes(const String& FileName) {
  TFileStream S(FileName, fmOpenRead);
  std::vector<uint8_t> Data(size_t(S.Size()));
  S.ReadBuffer(Data.data(), int64_t(Data.size()));
  return Data;
}

void WriteFileBytes(const String& FileName, const std::vector<uint8_t>& Data) {
  TFileStream S(FileName, fmCreate);
  S.WriteBuffer(Data.data(), int64_t(Data.size()));
}

static size_t LastDelimiter(const String& Path) {
  size_t P = Path.find_last_of(L"\\/:");
  return P;
}

String ExtractFileName(const String& Path) {
  size_t P = LastDelimiter(Path);
  return P == String::npos ? Path : Path.substr(P + 1);
}

String ExtractFileExt(const String& Path) {
  String Name = ExtractFileName(Path);
  size_t P = Name.rfind(L'.');
  return P == String::npos ? String() : Name.substr(P);
}

String ExtractFilePath(const String& Path) {
  size_t P = LastDelimiter(Path);
  return P == String::npos ? String() : Path.substr(0, P + 1);
}

String IncludeTrailingPathDelimiter(const String& Path) {
  if (!Path.empty() && (Path.back() == L'\\' || Path.back() == L'/')) return Path;
  return Path + PathDelim;
}

}  // namespace qv
