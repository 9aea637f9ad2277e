#include <filesystem>
#include <iostream>
#include <string>

#include "DbWriter.h"

// zorvan-datagen --data DIR --out DIR [--unihan DIR] [--opencc DIR]
int main(int argc, char** argv) {
  using namespace zorvan::datagen;
  Sources sources{"data", "/usr/share/unicode", "/usr/share/opencc"};
  std::filesystem::path out = ".";
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "--data") {
      sources.data = argv[i + 1];
    } else if (option == "--out") {
      out = argv[i + 1];
    } else if (option == "--unihan") {
      sources.unihan = argv[i + 1];
    } else if (option == "--opencc") {
      sources.opencc = argv[i + 1];
    } else {
      std::cerr << "zorvan-datagen: unknown option " << option << '\n';
      return 2;
    }
  }
  try {
    std::filesystem::create_directories(out);
    BuildNumerologyDb(sources, out / "VelFile.dll");
    BuildNamingDb(sources, out / "Zorvan.dll");
    BuildBirthDb(sources, out / "VelBirth.dll");
    BuildDreamDb(sources, out / "dream.dll");
    BuildPillarDb(sources, out / "Tgcode.dll");
  } catch (const std::exception& e) {
    std::cerr << "zorvan-datagen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
