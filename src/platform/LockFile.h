#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The system's side of DirectoryLock: one open lock file and its lock.
namespace kv::lockfile {

using Handle = intptr_t;

// The file at path, made when missing (never through a link); nullopt when it cannot be.
std::optional<Handle> Open(const std::string& path);
enum class Attempt { Taken, HeldElsewhere, Unsupported };
// Never waits. Unsupported: a file system without locks, where a write goes ahead unserialised.
Attempt TryLock(Handle file);
std::string ReadText(Handle file);
void WriteText(Handle file, const std::string& text);
// Emptied (at rest the file names nobody) and closed, which releases the lock.
void Release(Handle file);
void Close(Handle file);
long ProcessId();
// Calls forget in a child process made by fork, whose handles share the parent's locks
// (before and after: around the fork in the parent, for a lock the registry holds).
void OnFork(void (*before)(), void (*parentAfter)(), void (*childAfter)());

}  // namespace kv::lockfile
