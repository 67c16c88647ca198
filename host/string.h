// The immutable, reference-counted UTF-16 string every layer is written against.
// Copies share one representation; every operation builds a new one. All empty strings
// share a single static representation that is never freed.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

template <class T>
class Array;

class String {
 public:
  struct Rep {
    int refs;
    int length;
    char16_t units[1];  // `length` code units, allocated past the end of the struct
  };

  String();
  String(const String& other);
  String(String&& other) noexcept;
  ~String();
  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;

  explicit String(int value);               // "%i"
  explicit String(float value);             // "%.17lg", with ".0" added to whole numbers
  String(const char* text);                 // one code unit per byte
  String(const char16_t* units, int length);
  String(std::u16string_view units);
  // A single code unit.
  static String FromChar(int unit);

  int Length() const { return rep_->length; }
  bool IsEmpty() const { return rep_->length == 0; }
  // The code unit at `index`; a runtime error outside 0..Length()-1.
  int operator[](int index) const;
  const char16_t* Data() const { return rep_->units; }
  std::u16string_view View() const { return {rep_->units, static_cast<size_t>(rep_->length)}; }

  bool operator==(const String& other) const;
  bool operator!=(const String& other) const { return !(*this == other); }
  bool operator<(const String& other) const { return View() < other.View(); }
  String operator+(const String& other) const;
  String& operator+=(const String& other) { return *this = *this + other; }

  String Join(const Array<String>& items) const;
  Array<String> Split(const String& separator) const;
  String Replace(const String& find, const String& with) const;
  int ToInt() const;
  // The first index of `find` at or after `start`, or -1.
  int Find(const String& find, int start = 0) const;
  bool StartsWith(const String& prefix) const;
  bool EndsWith(const String& suffix) const;
  // Code units from..to-1, clamped to the string.
  String Slice(int from, int to) const;
  String Slice(int from) const { return Slice(from, Length()); }
  String ToLower() const;

  // Each code unit as one to three UTF-8 bytes (surrogate halves one by one).
  std::string ToUtf8() const;
  // The same encoding appended to `out`, for callers that reuse a buffer.
  void AppendUtf8(std::string& out) const;
  // Each code unit narrowed to its low byte.
  std::string ToNarrow() const;

  // Reads a stream to its end and decodes it by its byte-order mark (text files).
  static String Load(std::FILE* stream);
  // Decodes a whole file's bytes the same way.
  static String DecodeText(const unsigned char* bytes, size_t size);

  // The shared empty representation's reference count (tests).
  static int EmptyRefs();
  int SharedRefs() const { return rep_->refs; }
  bool SharesRepWith(const String& other) const { return rep_ == other.rep_; }

 private:
  explicit String(Rep* rep) : rep_(rep) {}
  static Rep* Allocate(int length);
  static Rep* EmptyRep();
  void Retain() const;
  void Release();

  Rep* rep_;
};

// Runs of String slots: n empty strings, n copies of a source run, n releases.
void t_create(int n, String* slots);
void t_create(int n, String* slots, const String* source);
void t_destroy(int n, String* slots);
