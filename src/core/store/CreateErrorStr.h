#pragma once
// The numbered error catalogue: message number in, message text out.
#include <string>

namespace quill10 {

// Text of a message number (an error code divided by ten).  A number that
// is not in the catalogue gives "Unidentified error -  " and the number.
std::string CreateErrorStr(int messageNumber);

// Message number of a five-digit error code: the last digit only tells
// apart the places that raise the same message.
int MessageNumberOf(int errorCode);

}  // namespace quill10
