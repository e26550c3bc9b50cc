#include "support/astr.h"

#include "support/boxes.h"
#include "support/numbertext.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

char emptyText[] = "";

int TextLength(const char* text)
{
    return text == nullptr ? 0 : static_cast<int>(std::strlen(text));
}

}  // namespace

AStr::AStr() : capacity(0), data(emptyText)
{
    Resize(1);
}

AStr::AStr(const char* text) : AStr()
{
    Append(text);
}

AStr::AStr(int value) : AStr()
{
    Append(value);
}

AStr::AStr(const AStr& other) : AStr(other.data) {}

AStr::AStr(AStr&& other) noexcept : capacity(other.capacity), data(other.data)
{
    other.capacity = 0;
    other.data = emptyText;
}

AStr& AStr::operator=(const AStr& other)
{
    if (this != &other)
        Assign(other.data);
    return *this;
}

AStr& AStr::operator=(AStr&& other) noexcept
{
    std::swap(capacity, other.capacity);
    std::swap(data, other.data);
    return *this;
}

AStr::~AStr()
{
    if (data != emptyText)
        std::free(data);
}

bool AStr::Resize(int size)
{
    const bool creating = data == emptyText;
    void* resized = creating ? std::malloc(static_cast<std::size_t>(size))
                             : std::realloc(data, static_cast<std::size_t>(size));
    if (resized == nullptr) {
        capacity = 0;
        ErrorBox(creating ? "The memory for the class AStr was not allocated."
                          : "The memory for the class AStr was not reallocated.",
                 "Error");
        return false;
    }
    data = static_cast<char*>(resized);
    if (creating)
        data[0] = '\0';
    capacity = size;
    return true;
}

int AStr::Length() const
{
    return TextLength(data);
}

void AStr::Assign(const char* text)
{
    // The text may live inside this string's own buffer.
    const AStr copy(text);
    if (Resize(1)) {
        data[0] = '\0';
        Append(copy.data);
    }
}

void AStr::Append(const char* text)
{
    const int length = Length();
    const int added = TextLength(text);
    const char* source = text;
    AStr copy;
    if (text >= data && text < data + length + 1) {
        copy.Assign(text);
        source = copy.data;
    }
    if (!Resize(length + added + 1))
        return;
    std::memcpy(data + length, source, static_cast<std::size_t>(added));
    data[length + added] = '\0';
}

void AStr::Append(int value)
{
    Append(IntToText(value).data);
}

void AStr::AppendReal(double value, int digits)
{
    char converted[400];
    int pointPosition = 0;
    int negative = 0;
    if (::fcvt_r(value, digits, &pointPosition, &negative, converted, sizeof converted) != 0)
        return;
    AStr text(converted);
    if (pointPosition >= 1) {
        text.Insert(pointPosition, ".");
    } else {
        for (int i = 0; i < -pointPosition; ++i)
            text.Insert(0, "0");
        text.Insert(0, "0.");
    }
    if (negative)
        text.Insert(0, "-");
    Append(text.data);
}

AStr AStr::Concat(const char* text) const
{
    AStr result(*this);
    result.Append(text);
    return result;
}

bool AStr::Equals(const char* text) const
{
    return std::strcmp(data, text == nullptr ? "" : text) == 0;
}

int AStr::Find(const char* pattern, int start) const
{
    const int length = Length();
    const int patternLength = TextLength(pattern);
    if (patternLength == 0 || start < 0 || patternLength > length)
        return -1;
    for (int i = start; i + patternLength <= length; ++i) {
        if (data[i] == pattern[0] && std::memcmp(data + i + 1, pattern + 1, static_cast<std::size_t>(patternLength - 1)) == 0)
            return i;
    }
    return -1;
}

void AStr::Insert(int position, const char* text)
{
    ReplaceRange(position, 0, text);
}

void AStr::ReplaceRange(int position, int count, const char* text)
{
    const int length = Length();
    if (position < 0)
        position = 0;
    if (position > length)
        position = length;
    if (count < 0)
        count = 0;
    if (count > length - position)
        count = length - position;
    const AStr inserted(text);
    const int added = inserted.Length();
    const int newLength = length - count + added;
    // Grow before moving the tail and shrink after, so no byte is lost.
    if (newLength > length && !Resize(length + added + 1))
        return;
    std::memmove(data + position + added, data + position + count, static_cast<std::size_t>(length - position - count + 1));
    std::memcpy(data + position, inserted.data, static_cast<std::size_t>(added));
    if (newLength <= length)
        Resize(length + added + 1);
}

int AStr::ReplaceAll(const char* pattern, const char* replacement)
{
    const int replacementLength = TextLength(replacement);
    const int patternLength = TextLength(pattern);
    int count = 0;
    for (int hit = Find(pattern, 0); hit != -1; hit = Find(pattern, hit + replacementLength)) {
        ReplaceRange(hit, patternLength, replacement);
        ++count;
    }
    return count;
}

void AStr::RemoveChar(char character)
{
    int kept = 0;
    for (const char* p = data; *p != '\0'; ++p) {
        if (*p != character)
            data[kept++] = *p;
    }
    data[kept] = '\0';
    Resize(kept + 1);
}
