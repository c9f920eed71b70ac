// The page shows the game's pictures exactly: the title as the golden pictures keep it, and
// START's intro card and the cellar standing as the Linux program shows them, in each language.
export const tests =
    ['ja', 'en'].map((language) => ({
                       name: `pictures_${language}`,
                       async run(session, context) {
                         const pictures = await context.expected(language);
                         await session.open(`?lang=${language}`);
                         await session.expect(pictures.titleStart, 'title_start');
                         await session.tap('ArrowDown');
                         await session.expect(pictures.titleContinue, 'title_continue');
                         await session.tap('ArrowUp');
                         await session.expect(pictures.titleStart, 'title_start_again');
                         await session.tap('Space');
                         await session.expect(pictures.cardOne, 'intro_card');
                         await session.expect(pictures.playOne, 'play_idle');
                       },
                     }));
