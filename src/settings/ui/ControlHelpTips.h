#pragma once

class QObject;

namespace brivel {

class MessageTable;

// Gives every control under `root` that sends a setting its tool tip
// (settings::help) in the language the message table answers in; run again
// on each language change.
void showControlHelp(QObject* root, const MessageTable& messages);

}  // namespace brivel
