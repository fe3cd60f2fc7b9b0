// Writes the example documents into the folder given, run once so that
// they carry their results: dorvan-make-examples examples/
#include "ExampleDocuments.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: dorvan-make-examples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    int status = 0;
    for (const CExampleDocument& example : ExampleDocuments()) {
        CKalvexDoc doc;
        example.build(doc);
        std::vector<std::string> messages;
        if (!RunExample(doc, messages)) {
            std::cerr << example.fileName << ":\n";
            for (const std::string& message : messages)
                std::cerr << "  " << message << "\n";
            status = 1;
            continue;
        }
        const std::string path = folder + "/" + example.fileName;
        const CFileResult saved = SaveDocumentFile(path, doc);
        if (!saved.ok) {
            std::cerr << saved.message << "\n";
            status = 1;
            continue;
        }
        std::cout << path << "\n";
    }
    return status;
}
