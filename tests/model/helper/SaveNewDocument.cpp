// Saves a new document to the path given, printing the save's message;
// exits 0 when the save succeeded. The save tests run it as another user.
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    CKalvexDoc doc;
    doc.OnNewDocument();
    const CFileResult result = SaveDocumentFile(argv[1], doc);
    std::fputs(result.message.c_str(), stdout);
    return result.ok ? 0 : 1;
}
