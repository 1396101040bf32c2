#include "app/command_line.h"

#include "narration/catalogue.h"

namespace yacht {

std::string usageText()
{
    return translate("Usage: yacht [--transcript FILE|-] [--seed N] [--speech-engine speechd|flite|screen-reader|none]\n"
           "             [--language CODE] [--brief] [--version] [--help]\n"
           "       yacht --optimum\n"
           "       yacht --simulate strong|casual N [--seed K]\n"
           "A spoken game of Yacht for players who cannot see the screen.\n"
           "  --transcript FILE|-   write every spoken text and sound, one line each, to FILE\n"
           "                        (- for standard output)\n"
           "  --seed N              throw the dice from a fixed seed, for reproducible games\n"
           "  --speech-engine NAME  speechd (speech-dispatcher, the default), flite, screen-reader\n"
           "                        (the running screen reader speaks and shows in braille), or none\n"
           "                        (silent; read the transcript instead)\n"
           "                        The engine named is remembered for later starts; none is not.\n"
           "  --language CODE       play in the language CODE (de, en, es, fr) for this run,\n"
           "                        whatever the desktop's language\n"
           "  --brief               brief speech for this run, for players who know the game\n"
           "  --optimum             print the expected score of perfect solitaire play and leave\n"
           "  --simulate S N        play N solitaire games at strength S (strong or casual)\n"
           "                        with no window or sound, print their mean and leave\n"
           "  --version             print the version and leave\n"
           "  --help                print this text and leave\n");
}

}  // namespace yacht
