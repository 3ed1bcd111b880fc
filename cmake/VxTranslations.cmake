# vx_lrelease(TS QM): compiles a Qt translation source (.ts) into the
# binary catalogue (.qm) that QTranslator loads, with Qt's lrelease (Debian
# qt6-l10n-tools).
#
# vx_embed_bytes(INPUT OUTPUT SYMBOL): a C++ source that holds the bytes of
# INPUT as `const unsigned char vx::SYMBOL[]` with its size in
# `vx::SYMBOL_size`, so that a program carries the file within itself.
function(vx_lrelease ts qm)
  find_program(VX_LRELEASE NAMES lrelease lrelease-qt6
               HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin
               REQUIRED)
  add_custom_command(OUTPUT ${qm}
                     COMMAND ${VX_LRELEASE} -silent ${ts} -qm ${qm}
                     DEPENDS ${ts}
                     COMMENT "Compiling the translation ${ts}"
                     VERBATIM)
endfunction()

set(VX_EMBED_BYTES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedBytes.cmake)
function(vx_embed_bytes input output symbol)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output}
                             -DSYMBOL=${symbol} -P ${VX_EMBED_BYTES_SCRIPT}
                     DEPENDS ${input} ${VX_EMBED_BYTES_SCRIPT}
                     VERBATIM)
endfunction()
