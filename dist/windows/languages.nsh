# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's languages: NSIS's own pages in each language Tilora speaks, English first, and the
# installer's one message of its own. NSIS picks the one of Windows' display language, else English.

!macro TILORA_LANGUAGE name running
LoadLanguageFile "${NSISDIR}\Contrib\Language files\${name}.nlf"
LangString TILORA_RUNNING ${LANG_${name}} "${running}"
!macroend

!insertmacro TILORA_LANGUAGE English "Tilora is running. Close it, then choose Retry."
!insertmacro TILORA_LANGUAGE German "Tilora läuft gerade. Schließen Sie es und wählen Sie dann „Wiederholen“."
!insertmacro TILORA_LANGUAGE Spanish "Tilora se está ejecutando. Ciérrelo y elija «Reintentar»."
!insertmacro TILORA_LANGUAGE French "Tilora est en cours d’exécution. Fermez-le, puis choisissez « Réessayer »."
!insertmacro TILORA_LANGUAGE Italian "Tilora è in esecuzione. Chiudilo, quindi scegli «Riprova»."
!insertmacro TILORA_LANGUAGE Japanese "Tilora が実行中です。終了してから［再試行］を選んでください。"
!insertmacro TILORA_LANGUAGE Dutch "Tilora is actief. Sluit het af en kies daarna ‘Opnieuw proberen’."
!insertmacro TILORA_LANGUAGE Polish "Tilora jest uruchomiona. Zamknij ją, a następnie wybierz „Ponów próbę”."
!insertmacro TILORA_LANGUAGE PortugueseBR "O Tilora está em execução. Feche-o e escolha “Tentar novamente”."
!insertmacro TILORA_LANGUAGE Russian "Tilora запущена. Закройте её, затем нажмите «Повторить»."
!insertmacro TILORA_LANGUAGE Turkish "Tilora çalışıyor. Kapatın, ardından “Yeniden Dene”yi seçin."
!insertmacro TILORA_LANGUAGE Ukrainian "Tilora запущена. Закрийте її, потім натисніть «Повторити»."
!insertmacro TILORA_LANGUAGE SimpChinese "Tilora 正在运行。请关闭它，然后选择“重试”。"
