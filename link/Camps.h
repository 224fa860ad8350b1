#ifndef KORVU_LINK_CAMPS_H
#define KORVU_LINK_CAMPS_H

#include <cstddef>

// Utilities for the records of 0xFF-separated fields that frames carry (fields numbered from 1,
// each usually beginning with a 2-character code). Every copy out of a record is bounded by the
// room that the caller gives for its destination (`capacity`, in bytes, terminator included):
// a field longer than that room is cut, never written past it.

// Copies at most n bytes of source, stopping before its NUL; terminate 1 writes a NUL after
// them, any other value writes nothing more.
void CopyBytes(const char* source, char* destination, int n, int terminate);

// Copies field n of record to out. mode 1: a NUL follows; mode 2: blanks pad it to width bytes
// (no NUL); any other mode: nothing follows. A missing field throws DispError "Error #ref 019".
void GetField(const char* record, char* out, int n, int mode, int width, std::size_t capacity);

// Field n of record: its first two bytes to code (exactly two, not terminated), the rest to text
// with a NUL. A missing field throws DispError "Error #ref 018". A field shorter than its code
// gives the bytes it has, NULs for the missing ones, and an empty text.
void GetCodedField(const char* record, char* text, char* code, int n, std::size_t capacity);

// Replaces field m of the record destination by field n of the record source (an empty field
// when source has fewer); the record grows or shrinks around it. A destination with fewer than
// m fields, or m below 1, is left as it is. When the grown record would not fit in capacity
// bytes, the new field is cut so that it fits; the later fields are kept whole.
// source must not lie inside destination.
void ReplaceField(const char* source, char* destination, int n, int m, std::size_t capacity);

#endif
