#include "SkinOutputs.h"

#include "ContactSheet.h"
#include "FlatTestSkin.h"
#include "FrameTestSkin.h"
#include "PngWriter.h"
#include "SlateSkin.h"
#include "SparseTestSkin.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/Streams.h"

namespace {

struct TSkinOutput {
  const char* Name;  // of the folder and the container
  const char* SkinName;
  const char* Comments;
  void (*Paint)(TSkinBuilder&);
  bool ContactSheet;
};

constexpr TSkinOutput Outputs[] = {
    {"slate", SlateSkinName, "The program's own skin", PaintSlateSkin, true},
    {"flatcolour", FlatTestSkinName, "A test skin: every rectangle one flat colour",
     PaintFlatTestSkin, false},
    {"sparse", SparseTestSkinName, "A test skin without the optional parts", PaintSparseTestSkin,
     false},
    {"flatframe", FrameTestSkinName, "A test skin: a window frame with every kind of object",
     PaintFrameTestSkin, true},
};

void WriteOutput(const std::string& Folder, const TSkinOutput& Output) {
  const std::string skinFolder = Folder + Output.Name + "\\";
  if (!DirectoryExists(skinFolder) && !CreateDir(skinFolder))
    throw EFCreateError("Cannot create the folder " + skinFolder);
  TSkinBuilder builder(Output.SkinName, Output.Comments);
  Output.Paint(builder);
  const std::string iniName = builder.WriteFolder(skinFolder);

  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(iniName);
  if (stored.IsEmpty())
    throw Exception("The skin folder " + skinFolder + " lacks a required section");
  TFileStream container(Folder + Output.Name + ".skn", fmCreate);
  stored.SaveToCompressStream(container);

  if (Output.ContactSheet) {
    TspSkinData skin(nullptr);
    skin.LoadCompressedStoredSkin(&stored);
    WritePngFile(ContactSheet(skin), Folder + Output.Name + "-sheet.png");
  }
}

}  // namespace

void WriteSkinOutputs(const std::string& Folder) {
  for (const TSkinOutput& output : Outputs) WriteOutput(Folder, output);
}
