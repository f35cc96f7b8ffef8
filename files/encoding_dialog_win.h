#pragma once
// Command 40144: the character set and newline code of the active document.
void ShowEncodingDialog();
