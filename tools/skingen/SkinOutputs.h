#pragma once
// Everything the generator writes: the program's own skin and the three test skins, each
// as a skin folder and as a compressed skin container built from that folder by the
// stored-skin component's own builder, and the contact sheets of the program's skin and
// of the frame test skin.
//
//   <Folder>slate\        skin.ini and the pictures of the program's skin
//   <Folder>slate.skn     its container
//   <Folder>slate-sheet.png
//   <Folder>flatcolour\, flatcolour.skn, <Folder>sparse\, sparse.skn
//   <Folder>flatframe\, flatframe.skn, flatframe-sheet.png

#include <string>

// Folder ends in "\" and must exist. Raises the file, bitmap and stream errors of the
// runtime when something cannot be written.
void WriteSkinOutputs(const std::string& Folder);
