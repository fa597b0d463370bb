// The host's Application object as the core needs it. On Windows it wraps the object Office
// hands to OnConnection and calls it late-bound by member name; elsewhere a stand-in answers.
// Every member throws BuildFailure (kHost, carrying the host's error code) when the host cannot
// answer.
#pragma once

#include <string>

#include "core/failure.h"

namespace trelvane {

class HostApplication {
 public:
  virtual ~HostApplication() = default;

  // Application.Name: "Microsoft Excel", "Microsoft Word", ...
  virtual std::string Name() = 0;

  // Application.ActiveWindow.DocumentMap, read and written.
  virtual bool DocumentMap() = 0;
  virtual void SetDocumentMap(bool shown) = 0;
};

// A host that only has a name: the command-line tool's stand-in. It has no windows.
class NamedHost final : public HostApplication {
 public:
  explicit NamedHost(std::string name) : name_(std::move(name)) {}

  std::string Name() override { return name_; }
  bool DocumentMap() override { throw NoWindow(); }
  void SetDocumentMap(bool) override { throw NoWindow(); }

 private:
  static BuildFailure NoWindow() {
    return BuildFailure(FailureKind::kHost, "the host has no document window");
  }

  std::string name_;
};

}  // namespace trelvane
