// AStr: the program's 8-bit, NUL-terminated string. It never keeps spare
// room: every change reallocates the buffer to the new length plus the
// terminator. A failed allocation is announced in an error box on the spot
// and leaves the text as it was, with Capacity() 0.
#pragma once

class AStr {
public:
    AStr();
    AStr(const char* text);  // NOLINT(google-explicit-constructor): texts pass freely as AStr
    explicit AStr(int value);
    AStr(const AStr& other);
    AStr(AStr&& other) noexcept;
    AStr& operator=(const AStr& other);
    AStr& operator=(AStr&& other) noexcept;
    ~AStr();

    // Bytes allocated, terminator included: length + 1, or 0 after a failed
    // allocation. Bookkeeping only; the length is always measured.
    int Capacity() const { return capacity; }
    const char* Data() const { return data; }
    int Length() const;

    void Assign(const char* text);
    void Append(const char* text);
    void Append(int value);
    // Appends value with digits fraction digits, "." as separator, no
    // grouping: the rounding and digits of the C library's fcvt.
    void AppendReal(double value, int digits);
    AStr Concat(const char* text) const;
    bool Equals(const char* text) const;

    // Position of the first occurrence of pattern at or after start, or -1
    // (also when start lies past the end or the pattern is longer than the text).
    int Find(const char* pattern, int start = 0) const;
    // Inserts text before the character at position (at the end when position
    // lies past it).
    void Insert(int position, const char* text);
    // Replaces count characters from position by text; a count past the end
    // is cut to the end.
    void ReplaceRange(int position, int count, const char* text);
    // Replaces every occurrence from left to right, never inside text that a
    // replacement brought in; returns how many were replaced.
    int ReplaceAll(const char* pattern, const char* replacement);
    void RemoveChar(char character);

private:
    // Sets the buffer to exactly size bytes; false (after the box) on failure.
    bool Resize(int size);

    int capacity;
    char* data;
};
