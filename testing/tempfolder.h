// Test helper: a fresh temporary folder for the files a test makes, removed with its contents when
// the test ends. Used only by test programs, never by the product.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
 public:
  // Creates a new, empty folder under the system's temporary folder.
  TempFolder();
  // Restores the working folder if enter() changed it, then removes the folder and its contents.
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The full path of `name` inside the folder.
  std::string path(const std::string& name) const;

  // Writes `bytes` to the file `name` exactly as given (no line-end translation); returns its path.
  std::string write(const std::string& name, const std::string& bytes) const;

  // Makes the folder the process's working folder until the object is destroyed.
  void enter();

 private:
  std::filesystem::path _folder;
  std::filesystem::path _previousWorkingFolder;
};
