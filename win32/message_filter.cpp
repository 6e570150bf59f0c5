#include "win32/message_filter.h"

#include "win32/private_messages.h"

namespace tarnwick::win32 {

std::vector<UINT> MessagesFromOtherProcesses(UINT taskbarCreatedMessage) {
  std::vector<UINT> messages{kTrayCallbackMessage, kShowYourselfMessage};
  if (taskbarCreatedMessage != 0) messages.push_back(taskbarCreatedMessage);
  return messages;
}

int AllowMessagesFromOtherProcesses(HWND window, const std::vector<UINT>& messages,
                                    MessageFilterFunction filter) {
  int allowed = 0;
  for (UINT message : messages) {
    // One refused is no reason to leave out the others.
    if (filter(window, message, MSGFLT_ALLOW, nullptr)) ++allowed;
  }
  return allowed;
}

}  // namespace tarnwick::win32
