#include "host/string.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <new>

#include "host/array.h"
#include "host/report.h"

namespace {

// The one representation every empty string shares; its count starts at 1 so it is never freed.
String::Rep empty_rep{1, 0, {0}};

}  // namespace

String::Rep* String::EmptyRep() { return &empty_rep; }

int String::EmptyRefs() { return empty_rep.refs; }

String::Rep* String::Allocate(int length) {
  if (length <= 0) {
    ++empty_rep.refs;
    return &empty_rep;
  }
  size_t bytes = offsetof(Rep, units) + sizeof(char16_t) * static_cast<size_t>(length);
  auto* rep = static_cast<Rep*>(std::malloc(bytes));
  if (!rep) dbg_error("Out of memory");
  rep->refs = 1;
  rep->length = length;
  return rep;
}

void String::Retain() const { ++rep_->refs; }

void String::Release() {
  if (--rep_->refs == 0 && rep_ != &empty_rep) std::free(rep_);
}

String::String() : rep_(EmptyRep()) { Retain(); }
String::String(const String& other) : rep_(other.rep_) { Retain(); }
String::String(String&& other) noexcept : rep_(other.rep_) {
  other.rep_ = EmptyRep();
  other.Retain();
}
String::~String() { Release(); }

String& String::operator=(const String& other) {
  other.Retain();
  Release();
  rep_ = other.rep_;
  return *this;
}

String& String::operator=(String&& other) noexcept {
  if (this != &other) std::swap(rep_, other.rep_);
  return *this;
}

String::String(const char16_t* units, int length) : rep_(Allocate(length)) {
  if (length > 0) std::memcpy(rep_->units, units, sizeof(char16_t) * length);
}

String::String(std::u16string_view units) : String(units.data(), static_cast<int>(units.size())) {}

String::String(const char* text) : rep_(Allocate(static_cast<int>(std::strlen(text)))) {
  for (int i = 0; i < rep_->length; ++i) rep_->units[i] = static_cast<unsigned char>(text[i]);
}

namespace {

std::string format_int(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%i", value);
  return buffer;
}

std::string format_float(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17lg", static_cast<double>(value));
  std::string text = buffer;
  // Whole numbers keep a decimal point so a float always reads as one.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

String::String(int value) : String(format_int(value).c_str()) {}

String::String(float value) : String(format_float(value).c_str()) {}

String String::FromChar(int unit) {
  char16_t c = static_cast<char16_t>(unit);
  return String(&c, 1);
}

int String::operator[](int index) const {
  if (static_cast<unsigned>(index) >= static_cast<unsigned>(rep_->length)) {
    dbg_error("String index out of range");
  }
  return rep_->units[index];
}

bool String::operator==(const String& other) const {
  return rep_ == other.rep_ || View() == other.View();
}

String String::operator+(const String& other) const {
  if (other.IsEmpty()) return *this;
  if (IsEmpty()) return other;
  String out(Allocate(Length() + other.Length()));
  std::memcpy(out.rep_->units, Data(), sizeof(char16_t) * Length());
  std::memcpy(out.rep_->units + Length(), other.Data(), sizeof(char16_t) * other.Length());
  return out;
}

String String::Join(const Array<String>& items) const {
  const int n = items.Length();
  if (n == 0) return String();
  if (n == 1) return items[0];
  long long total = static_cast<long long>(Length()) * (n - 1);
  for (const String& item : items) total += item.Length();
  if (total > INT_MAX) dbg_error("String too long");
  String out(Allocate(static_cast<int>(total)));
  char16_t* p = out.rep_->units;
  for (int i = 0; i < n; ++i) {
    if (i > 0) p = std::copy(Data(), Data() + Length(), p);
    p = std::copy(items[i].Data(), items[i].Data() + items[i].Length(), p);
  }
  return out;
}

Array<String> String::Split(const String& separator) const {
  if (separator.IsEmpty()) {
    Array<String> out(Length());
    for (int i = 0; i < Length(); ++i) out[i] = FromChar(rep_->units[i]);
    return out;
  }
  int pieces = 1;
  for (int at = Find(separator); at >= 0; at = Find(separator, at + separator.Length())) ++pieces;
  Array<String> out(pieces);
  int start = 0;
  for (int i = 0; i < pieces - 1; ++i) {
    int at = Find(separator, start);
    out[i] = Slice(start, at);
    start = at + separator.Length();
  }
  out[pieces - 1] = pieces == 1 ? *this : Slice(start);
  return out;
}

String String::Replace(const String& find, const String& with) const {
  if (find.IsEmpty()) dbg_error("Replace needs a non-empty search text");
  if (Find(find) < 0) return *this;
  return with.Join(Split(find));
}

int String::ToInt() const {
  // Like atoi over the first 63 units narrowed to bytes, but saturating instead of
  // overflowing: blanks, an optional sign, then decimal digits up to the first other unit.
  const int n = Length() < 63 ? Length() : 63;
  int i = 0;
  auto unit = [&](int k) { return static_cast<unsigned char>(rep_->units[k] & 0xff); };
  while (i < n && (unit(i) == ' ' || (unit(i) >= '\t' && unit(i) <= '\r'))) ++i;
  bool negative = false;
  if (i < n && (unit(i) == '+' || unit(i) == '-')) negative = unit(i++) == '-';
  long long value = 0;
  for (; i < n && unit(i) >= '0' && unit(i) <= '9'; ++i) {
    value = value * 10 + (unit(i) - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int String::Find(const String& find, int start) const {
  if (start < 0) start = 0;
  if (start > Length()) return -1;
  size_t at = View().find(find.View(), static_cast<size_t>(start));
  return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

bool String::StartsWith(const String& prefix) const { return View().starts_with(prefix.View()); }

bool String::EndsWith(const String& suffix) const { return View().ends_with(suffix.View()); }

String String::Slice(int from, int to) const {
  if (from < 0) from = 0;
  if (to > Length()) to = Length();
  if (from >= to) return String();
  if (from == 0 && to == Length()) return *this;
  return String(Data() + from, to - from);
}

String String::ToLower() const {
  std::u16string out(View());
  for (char16_t& c : out) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return String(std::u16string_view(out));
}

std::string String::ToUtf8() const {
  std::string out;
  out.reserve(Length());
  AppendUtf8(out);
  return out;
}

void String::AppendUtf8(std::string& out) const {
  for (char16_t c : View()) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

std::string String::ToNarrow() const {
  std::string out(Length(), '\0');
  for (int i = 0; i < Length(); ++i) out[i] = static_cast<char>(rep_->units[i] & 0xff);
  return out;
}

void t_create(int n, String* slots) {
  for (int i = 0; i < n; ++i) new (&slots[i]) String();
}

void t_create(int n, String* slots, const String* source) {
  for (int i = 0; i < n; ++i) new (&slots[i]) String(source[i]);
}

void t_destroy(int n, String* slots) {
  for (int i = 0; i < n; ++i) slots[i].~String();
}
