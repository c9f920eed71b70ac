// Opening, saving and exporting the cellar editor's file.
#include "game/editor_file.h"

#include "game/cellar_source.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace game {

namespace {

// A stage file of 32 cellars and their titles takes a few kilobytes.
constexpr size_t MAX_EDITED_FILE_BYTES = 1 << 20;

}  // namespace

OpenedFile OpenEditedFile(const std::string& path, CellarFile* file, std::string* why) {
  std::string text, problem;
  switch (platform::ReadWholeFile(path, MAX_EDITED_FILE_BYTES, &text, &problem)) {
    case platform::WholeFile::Missing:
      *file = CellarFile{};
      return OpenedFile::New;
    case platform::WholeFile::Refused:
      *why = path + ": the stage file " + problem;
      return OpenedFile::Refused;
    case platform::WholeFile::Read:
      break;
  }
  StageFileError error{};
  if (!ParseCellarText(text, path.c_str(), file, &error)) {
    *why = error.text;
    return OpenedFile::Refused;
  }
  return OpenedFile::Read;
}

int32_t FirstFaultyCellar(const CellarEditor& editor, CellarProblem* problem) {
  for (size_t s = 0; s < editor.cellars.size(); ++s) {
    *problem = FindCellarProblem(editor.cellars[s].stage);
    if (problem->kind != CellarFaultKind::None) return static_cast<int32_t>(s);
  }
  return -1;
}

bool SaveEditedFile(CellarEditor& editor, const std::string& path, std::string* why) {
  const std::string bytes = FormatStageFile(FileOf(editor));
  if (bytes.empty()) {
    *why = CellarFileFault(FileOf(editor));
    return false;
  }
  if (!platform::ReplaceFile(path, bytes, why)) return false;
  MarkSaved(editor);
  return true;
}

std::string SourcePathOf(const std::string& path) {
  const size_t name = path.find_last_of("/\\") + 1;  // 0 when the path names no folder
  const size_t dot = path.find_last_of('.');
  // A name that begins with its only dot (".cellars") has no extension.
  const bool extension = dot != std::string::npos && dot > name;
  if (!extension || path.compare(dot, std::string::npos, ".txt") == 0) return path + ".txt";
  return path.substr(0, dot) + ".txt";
}

bool ExportSource(const CellarEditor& editor, const std::string& path, std::string* why) {
  const CellarFile file = FileOf(editor);
  if (std::string fault = CellarFileFault(file); !fault.empty()) {
    *why = fault;
    return false;
  }
  return platform::ReplaceFile(SourcePathOf(path), FormatCellarSource(file), why);
}

}  // namespace game
