; The setup program's own texts in the languages of its wizard (UTF-8).
; Every language of bkfr.nsi needs each string; makensis warns of a gap.

; English
LangString OptStartMenu ${LANG_ENGLISH} "Start menu shortcuts"
LangString OptDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString OptAutostart ${LANG_ENGLISH} "Start with Windows"
LangString StartNow ${LANG_ENGLISH} "Start ${PRODUCT} now"
LangString KeepSettings ${LANG_ENGLISH} "Keep your settings (bkfr.ini) for a later installation?"
LangString NeedAdmin ${LANG_ENGLISH} "Administrator rights are needed for this."

; German
LangString OptStartMenu ${LANG_GERMAN} "Verknüpfungen im Startmenü"
LangString OptDesktop ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString OptAutostart ${LANG_GERMAN} "Mit Windows starten"
LangString StartNow ${LANG_GERMAN} "${PRODUCT} jetzt starten"
LangString KeepSettings ${LANG_GERMAN} "Ihre Einstellungen (bkfr.ini) für eine spätere Installation behalten?"
LangString NeedAdmin ${LANG_GERMAN} "Dafür werden Administratorrechte benötigt."

; French
LangString OptStartMenu ${LANG_FRENCH} "Raccourcis dans le menu Démarrer"
LangString OptDesktop ${LANG_FRENCH} "Raccourci sur le Bureau"
LangString OptAutostart ${LANG_FRENCH} "Démarrer avec Windows"
LangString StartNow ${LANG_FRENCH} "Lancer ${PRODUCT} maintenant"
LangString KeepSettings ${LANG_FRENCH} "Conserver vos paramètres (bkfr.ini) pour une installation ultérieure ?"
LangString NeedAdmin ${LANG_FRENCH} "Cette opération nécessite des droits d'administrateur."

; Spanish
LangString OptStartMenu ${LANG_SPANISH} "Accesos directos en el menú Inicio"
LangString OptDesktop ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString OptAutostart ${LANG_SPANISH} "Iniciar con Windows"
LangString StartNow ${LANG_SPANISH} "Iniciar ${PRODUCT} ahora"
LangString KeepSettings ${LANG_SPANISH} "¿Conservar la configuración (bkfr.ini) para una instalación posterior?"
LangString NeedAdmin ${LANG_SPANISH} "Esta operación requiere derechos de administrador."

; Italian
LangString OptStartMenu ${LANG_ITALIAN} "Collegamenti nel menu Start"
LangString OptDesktop ${LANG_ITALIAN} "Collegamento sul desktop"
LangString OptAutostart ${LANG_ITALIAN} "Avvia con Windows"
LangString StartNow ${LANG_ITALIAN} "Avvia ${PRODUCT} ora"
LangString KeepSettings ${LANG_ITALIAN} "Conservare le impostazioni (bkfr.ini) per un'installazione successiva?"
LangString NeedAdmin ${LANG_ITALIAN} "Per questa operazione sono necessari i diritti di amministratore."

; Portuguese (Brazil)
LangString OptStartMenu ${LANG_PORTUGUESEBR} "Atalhos no menu Iniciar"
LangString OptDesktop ${LANG_PORTUGUESEBR} "Atalho na área de trabalho"
LangString OptAutostart ${LANG_PORTUGUESEBR} "Iniciar com o Windows"
LangString StartNow ${LANG_PORTUGUESEBR} "Iniciar o ${PRODUCT} agora"
LangString KeepSettings ${LANG_PORTUGUESEBR} "Manter suas configurações (bkfr.ini) para uma instalação futura?"
LangString NeedAdmin ${LANG_PORTUGUESEBR} "Esta operação requer direitos de administrador."

; Dutch
LangString OptStartMenu ${LANG_DUTCH} "Snelkoppelingen in het menu Start"
LangString OptDesktop ${LANG_DUTCH} "Snelkoppeling op het bureaublad"
LangString OptAutostart ${LANG_DUTCH} "Starten met Windows"
LangString StartNow ${LANG_DUTCH} "${PRODUCT} nu starten"
LangString KeepSettings ${LANG_DUTCH} "Uw instellingen (bkfr.ini) bewaren voor een latere installatie?"
LangString NeedAdmin ${LANG_DUTCH} "Hiervoor zijn beheerdersrechten nodig."

; Polish
LangString OptStartMenu ${LANG_POLISH} "Skróty w menu Start"
LangString OptDesktop ${LANG_POLISH} "Skrót na pulpicie"
LangString OptAutostart ${LANG_POLISH} "Uruchamiaj razem z systemem Windows"
LangString StartNow ${LANG_POLISH} "Uruchom teraz ${PRODUCT}"
LangString KeepSettings ${LANG_POLISH} "Zachować ustawienia (bkfr.ini) na potrzeby późniejszej instalacji?"
LangString NeedAdmin ${LANG_POLISH} "Do tego potrzebne są uprawnienia administratora."

; Czech
LangString OptStartMenu ${LANG_CZECH} "Zástupci v nabídce Start"
LangString OptDesktop ${LANG_CZECH} "Zástupce na ploše"
LangString OptAutostart ${LANG_CZECH} "Spouštět se systémem Windows"
LangString StartNow ${LANG_CZECH} "Spustit ${PRODUCT} nyní"
LangString KeepSettings ${LANG_CZECH} "Ponechat nastavení (bkfr.ini) pro pozdější instalaci?"
LangString NeedAdmin ${LANG_CZECH} "K této operaci jsou potřeba oprávnění správce."

; Russian
LangString OptStartMenu ${LANG_RUSSIAN} "Ярлыки в меню «Пуск»"
LangString OptDesktop ${LANG_RUSSIAN} "Ярлык на рабочем столе"
LangString OptAutostart ${LANG_RUSSIAN} "Запускать вместе с Windows"
LangString StartNow ${LANG_RUSSIAN} "Запустить ${PRODUCT} сейчас"
LangString KeepSettings ${LANG_RUSSIAN} "Сохранить настройки (bkfr.ini) для последующей установки?"
LangString NeedAdmin ${LANG_RUSSIAN} "Для этого нужны права администратора."

; Greek
LangString OptStartMenu ${LANG_GREEK} "Συντομεύσεις στο μενού Έναρξη"
LangString OptDesktop ${LANG_GREEK} "Συντόμευση στην επιφάνεια εργασίας"
LangString OptAutostart ${LANG_GREEK} "Εκκίνηση μαζί με τα Windows"
LangString StartNow ${LANG_GREEK} "Εκκίνηση του ${PRODUCT} τώρα"
LangString KeepSettings ${LANG_GREEK} "Διατήρηση των ρυθμίσεών σας (bkfr.ini) για μια μεταγενέστερη εγκατάσταση;"
LangString NeedAdmin ${LANG_GREEK} "Για αυτή την ενέργεια απαιτούνται δικαιώματα διαχειριστή."

; Turkish
LangString OptStartMenu ${LANG_TURKISH} "Başlat menüsü kısayolları"
LangString OptDesktop ${LANG_TURKISH} "Masaüstü kısayolu"
LangString OptAutostart ${LANG_TURKISH} "Windows ile başlat"
LangString StartNow ${LANG_TURKISH} "${PRODUCT} uygulamasını şimdi başlat"
LangString KeepSettings ${LANG_TURKISH} "Ayarlarınız (bkfr.ini) daha sonraki bir kurulum için saklansın mı?"
LangString NeedAdmin ${LANG_TURKISH} "Bu işlem için yönetici hakları gereklidir."

; Japanese
LangString OptStartMenu ${LANG_JAPANESE} "スタート メニューのショートカット"
LangString OptDesktop ${LANG_JAPANESE} "デスクトップのショートカット"
LangString OptAutostart ${LANG_JAPANESE} "Windows の起動時に開始する"
LangString StartNow ${LANG_JAPANESE} "${PRODUCT} を今すぐ起動する"
LangString KeepSettings ${LANG_JAPANESE} "設定 (bkfr.ini) を次回のインストールのために残しますか？"
LangString NeedAdmin ${LANG_JAPANESE} "この操作には管理者権限が必要です。"
