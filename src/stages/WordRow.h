#pragma once

// Where the word stages put a group's words, and which resources a word number uses.
namespace WordRow {

// Word n shows picture 200 + n and speaks sound 201 + n.
constexpr int FirstWordPicture = 200;
constexpr int FirstWordSound = 201;
// One column every 125 pixels from the board view's origin, the caption 17 pixels right of
// its picture; captions stand at 180.
constexpr int PictureLeft = 13;
constexpr int CaptionLeft = 30;
constexpr int ColumnWidth = 125;
constexpr int CaptionTop = 180;

} // namespace WordRow
