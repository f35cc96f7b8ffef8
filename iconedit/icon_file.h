#pragma once
// The .ico file: a 6-byte header, one 16-byte directory entry per image and
// the image blocks one after the other.
#include <string>
#include <string_view>
#include <vector>

#include "iconedit/icon_doc_state.h"
#include "project/read_result.h"

// The whole file, of any size (grows with the images).
std::string BuildIconFile(const std::vector<IconImage>& images);
std::string BuildIconFile(const IconDocState& doc);

// Takes 1 to 8 images of the four formats, each inside the file and apart
// from the others; on success `doc` becomes a fresh document holding them
// (first image current, pen, black on transparent, no undo, not modified).
// Anything else is refused as a whole with the message for the box captioned
// "エラー", and `doc` stays as it was: keeping part of a file would lose the
// rest on the next save. `fileName` is the path as the read-failure message
// shows it.
ReadResult ReadIconFile(std::string_view bytes, std::string_view fileName, IconDocState& doc);
