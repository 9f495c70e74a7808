@echo off
rem Kestrivane for Windows: starts the checker's web page on this computer
rem (only this computer can reach it) and opens it in the default browser.
rem Close this window, or press Ctrl+C in it, to stop the page.
setlocal
set "KV_ADDRESS=127.0.0.1:4719"
cd /d "%~dp0"
rem The browser is opened a moment later, once the page is being served.
start "" /b cmd /c "timeout /t 2 /nobreak >nul & start "" http://%KV_ADDRESS%/"
"%~dp0kestrivane-cli.exe" serve --listen %KV_ADDRESS% %*
if errorlevel 1 pause
