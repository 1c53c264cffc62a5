// Exporting a disc's chapter list as a chapter file: the format chosen on the command
// line, the file name it gets, and the export without names that the DVD and Blu-ray
// readers share.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "chapters/chapter_time_list.h"

namespace chapters {

enum class ChapterFileFormat { kOgg, kXml };

// The file an export writes, in UTF-8: the output name followed by ".txt" (OGG) or ".xml"
// (always appended), or for an empty output name the program folder followed by
// "chapter file OGG" or "chapter file matroska", `default_tag` (e.g. " mid=123") and the
// extension.
std::string ChapterFileName(ChapterFileFormat format, std::string_view output_name, std::string_view default_tag = "");

// Reads the chapter list, builds the whole file and only then writes it, without names.
// Every error (reading the disc, creating the file) is printed as one line.
void ExportDiscChapters(ChapterFileFormat format, const std::function<ChapterTimeList()>& read_list,
                        const std::string& output_name);

}  // namespace chapters
