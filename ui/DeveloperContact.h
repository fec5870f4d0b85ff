#pragma once

// The developer's contact details, shown in the window's caption and footer.
inline constexpr char kDeveloperWebAddress[] = "http://www.example.com/";
inline constexpr char kDeveloperQQ[] = "12345678";
inline constexpr char kDeveloperEmail[] = "contact@example.com";
