#pragma once

class QObject;

namespace brivel {

class MessageTable;

// Which caption targets are set.
enum class CaptionScope {
    // At start: the controls whose design text is the initial text.
    Design,
    // A chosen language: every target whose control exists.
    Every,
};

// Applies the message table's caption rows, in the table's language, to the
// controls under `root`, as the caption table routes them. Returns how many
// targets of the scope had no control to reach.
int applyCaptions(QObject* root, const MessageTable& messages, CaptionScope scope);

}  // namespace brivel
