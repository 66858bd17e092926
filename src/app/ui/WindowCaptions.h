#pragma once

class QObject;

namespace brivel {

class MessageTable;

// Which caption targets a column goes to.
enum class CaptionScope {
    // At start: the controls whose design text is the working text.
    Design,
    // A chosen language: every target whose control exists.
    Every,
};

// Applies one column of the message table's caption rows to the controls
// under `root`, as the caption table routes them. Returns how many targets
// of the scope had no control to reach.
int applyCaptions(QObject* root, const MessageTable& messages, int column, CaptionScope scope);

}  // namespace brivel
