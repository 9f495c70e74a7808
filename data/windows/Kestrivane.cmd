@echo off
rem Kestrivane for Windows: serves the checker's web page on this computer
rem (only this computer can open it) and opens it in the default browser.
rem Close this window, or press Ctrl+C in it, to stop the page.
rem Options of "kestrivane-cli serve" may follow: Kestrivane.cmd --temp-dir "D:\eMule\Temp"
setlocal
cd /d "%~dp0"
rem serve prints the page's address (with its access token) alone on a line of
rem its standard output once it listens: that line is opened in the browser.
"%~dp0kestrivane-cli.exe" serve %* | powershell -NoProfile -NonInteractive -Command ^
  "$opened = $false; foreach ($line in $input) { $line; if (-not $opened -and $line -match '^https?://') { Start-Process $line; $opened = $true } }"
if errorlevel 1 pause
