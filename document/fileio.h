#pragma once
// The few file operations the document needs, so that the rest stays portable.
#include <cstddef>
#include <cstdint>
#include <vector>

enum class IoStatus { Ok, CannotOpen, TooLarge, ReadFailed, WriteFailed };

// Reads a whole file, opened without sharing, refusing files over maxSize bytes.
IoStatus readFileBounded(const char* path, size_t maxSize, std::vector<uint8_t>& out);
// Writes a temporary file beside `path` and moves it over `path` only when
// every byte is on disk, so a failed write never replaces a good file.
IoStatus writeFileReplacing(const char* path, const uint8_t* data, size_t size);
