// Replaced by the main window.
namespace lpt {
int app_placeholder = 0;
}
