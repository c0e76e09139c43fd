#include "artbook.h"

#include "artfamilies.h"

const std::vector<ArtEntry> &artBook()
{
    static const std::vector<ArtEntry> book = [] {
        std::vector<ArtEntry> b;
        addWindowArt(b);
        addTransportArt(b);
        addToolArt(b);
        addChordViewerArt(b);
        addChordDiagramArt(b);
        addJamArt(b);
        addFlagArt(b);
        return b;
    }();
    return book;
}
