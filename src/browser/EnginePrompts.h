#pragma once

#include <string>

namespace corvane {

// The words of the questions and notices the web engine's requests lead to, so that each says
// whom it concerns and what an answer risks.
namespace EnginePrompts {

// The site, or the proxy, that asks for a user name and password, and its realm if it names one.
std::string login(const std::string& host, const std::string& realm, bool proxy);

// A certificate that cannot be trusted: whose it is, what is wrong, what going on would risk.
std::string certificate(const std::string& host, const std::string& problem);

// What a page may use once allowed. The engine's feature names: "location", "notifications",
// "camera", "microphone", "camera and microphone", "screen", "screen and sound", "mouse".
std::string permission(const std::string& site, const std::string& feature);

// The title of a page's alert or question: whose it is, so that it cannot pass for Corvane's own.
std::string dialogTitle(const std::string& host);

// A page's own message in its alert or question, cut short enough to read.
std::string pageMessage(const std::string& message);

// A page that starts a further download by itself, without a click: whose it is and the file.
std::string download(const std::string& host, const std::string& file);

// A page whose renderer has crashed or been killed; `killed` tells the two apart.
std::string crashed(const std::string& address, bool killed);

}  // namespace EnginePrompts

}  // namespace corvane
